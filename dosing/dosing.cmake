target_sources(tidewell_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/AutoSetup.h ${CMAKE_CURRENT_LIST_DIR}/AutoSetup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ParameterSetup.h ${CMAKE_CURRENT_LIST_DIR}/ParameterSetup.cpp)
