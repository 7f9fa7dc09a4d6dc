qarvel_add_test(NAME tst_customerdisplay LABEL pos SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_customerdisplay.cpp GUI)
qarvel_add_test(NAME tst_pospage LABEL pos SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_pospage.cpp
                ${CMAKE_CURRENT_LIST_DIR}/PosFixture.h GUI)
qarvel_add_test(NAME tst_quickkeys LABEL pos SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_quickkeys.cpp
                ${CMAKE_CURRENT_LIST_DIR}/PosFixture.h GUI)
# No test may wait for a message box that nobody answers.
set_property(TEST tst_customerdisplay tst_pospage tst_quickkeys APPEND PROPERTY ENVIRONMENT QARVEL_MSGBOX_AUTOANSWER=1)
