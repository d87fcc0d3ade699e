target_sources(tidewell_sim PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/SimClock.h ${CMAKE_CURRENT_LIST_DIR}/SimClock.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SimThermometer.h ${CMAKE_CURRENT_LIST_DIR}/SimThermometer.cpp)
