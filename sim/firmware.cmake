# The master pump's boot loader.
target_sources(tidewell_sim PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/SimBootLoader.h ${CMAKE_CURRENT_LIST_DIR}/SimBootLoader.cpp)
