qarvel_add_test(NAME tst_itemeditor LABEL items SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_itemeditor.cpp GUI)
qarvel_add_test(NAME tst_cataloguepage LABEL items SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_cataloguepage.cpp GUI)
# No test may wait for a message box that nobody answers.
set_property(TEST tst_itemeditor tst_cataloguepage APPEND PROPERTY ENVIRONMENT QARVEL_MSGBOX_AUTOANSWER=1)
qarvel_add_test(NAME tst_stockpage LABEL items SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_stockpage.cpp GUI)
qarvel_add_test(NAME tst_openingstockpage LABEL items SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_openingstockpage.cpp GUI)
set_property(TEST tst_stockpage tst_openingstockpage APPEND PROPERTY ENVIRONMENT QARVEL_MSGBOX_AUTOANSWER=1)
qarvel_add_test(NAME tst_serialforms LABEL items SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_serialforms.cpp GUI)
set_property(TEST tst_serialforms APPEND PROPERTY ENVIRONMENT QARVEL_MSGBOX_AUTOANSWER=1)
