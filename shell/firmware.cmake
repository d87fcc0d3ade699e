target_sources(tidewell_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/FirmwareUpgrade.h ${CMAKE_CURRENT_LIST_DIR}/FirmwareUpgrade.cpp)
