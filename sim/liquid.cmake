target_sources(tidewell_sim PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/SimMotors.h ${CMAKE_CURRENT_LIST_DIR}/SimMotors.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SimSensors.h ${CMAKE_CURRENT_LIST_DIR}/SimSensors.cpp)
