target_sources(tidewell_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/TimeTempSetup.h ${CMAKE_CURRENT_LIST_DIR}/TimeTempSetup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MyQwtPlot.h ${CMAKE_CURRENT_LIST_DIR}/MyQwtPlot.cpp)
target_sources(tidewell_domain PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/TimeTempDomain.h ${CMAKE_CURRENT_LIST_DIR}/TimeTempDomain.cpp)
