# The installed client: cmake --install into a throwaway prefix puts every
# file where a Linux desktop looks for it, and the installed program starts
# as far as its login dialog.
add_test(NAME tst_install
    COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/tst_install.sh ${CMAKE_COMMAND} ${CMAKE_BINARY_DIR}
        ${CMAKE_CURRENT_BINARY_DIR}/install-check)
set_tests_properties(tst_install PROPERTIES TIMEOUT 120)
