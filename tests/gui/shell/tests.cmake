qarvel_add_test(NAME tst_msgbox LABEL shell SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_msgbox.cpp GUI)
qarvel_add_test(NAME tst_storeform_startup LABEL shell SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_storeform_startup.cpp GUI)
qarvel_add_test(NAME tst_storeform_navigation LABEL shell SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_storeform_navigation.cpp GUI)
qarvel_add_test(NAME tst_storeform_exit LABEL shell SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_storeform_exit.cpp GUI)
qarvel_add_test(NAME tst_language LABEL shell SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_language.cpp GUI)
qarvel_add_test(NAME tst_dboptions LABEL shell SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_dboptions.cpp GUI)
qarvel_add_test(NAME tst_waitpanel LABEL shell SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_waitpanel.cpp GUI)
# No test may wait for a message box that nobody answers.
set_property(TEST tst_msgbox tst_storeform_startup tst_storeform_navigation tst_storeform_exit
             tst_language tst_dboptions tst_waitpanel APPEND PROPERTY ENVIRONMENT QARVEL_MSGBOX_AUTOANSWER=1)
