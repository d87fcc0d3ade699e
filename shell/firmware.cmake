target_sources(tidewell_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/FirmwareUpgrade.h ${CMAKE_CURRENT_LIST_DIR}/FirmwareUpgrade.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DialogPassword.h ${CMAKE_CURRENT_LIST_DIR}/DialogPassword.cpp)
target_sources(tidewell_domain PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/PasswordChange.h ${CMAKE_CURRENT_LIST_DIR}/PasswordChange.cpp)
