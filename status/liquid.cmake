target_sources(tidewell_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ManualControl.h ${CMAKE_CURRENT_LIST_DIR}/ManualControl.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LiquidStatusSetup.h ${CMAKE_CURRENT_LIST_DIR}/LiquidStatusSetup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SensorStatus.h ${CMAKE_CURRENT_LIST_DIR}/SensorStatus.cpp)
