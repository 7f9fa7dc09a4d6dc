qarvel_add_test(NAME tst_namespage LABEL accounts SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_namespage.cpp GUI)
# No test may wait for a message box that nobody answers.
set_property(TEST tst_namespage APPEND PROPERTY ENVIRONMENT QARVEL_MSGBOX_AUTOANSWER=1)
qarvel_add_test(NAME tst_moneyform LABEL accounts SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_moneyform.cpp GUI)
set_property(TEST tst_moneyform APPEND PROPERTY ENVIRONMENT QARVEL_MSGBOX_AUTOANSWER=1)
