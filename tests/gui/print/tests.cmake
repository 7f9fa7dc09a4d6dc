qarvel_add_test(NAME tst_saleprinting LABEL reports SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_saleprinting.cpp GUI)
qarvel_add_test(NAME tst_desform LABEL reports SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_desform.cpp GUI)
qarvel_add_test(NAME tst_gridprinting LABEL reports SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_gridprinting.cpp GUI)
set_property(TEST tst_gridprinting APPEND PROPERTY ENVIRONMENT QARVEL_MSGBOX_AUTOANSWER=1)
