qarvel_add_test(NAME tst_optform LABEL data SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_optform.cpp GUI)
# No test may wait for a message box that nobody answers.
set_property(TEST tst_optform APPEND PROPERTY ENVIRONMENT QARVEL_MSGBOX_AUTOANSWER=1)
