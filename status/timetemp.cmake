target_sources(tidewell_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/TimeTempSetup.h ${CMAKE_CURRENT_LIST_DIR}/TimeTempSetup.cpp)
