qarvel_add_test(NAME tst_saleprinting LABEL reports SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_saleprinting.cpp GUI)
qarvel_add_test(NAME tst_desform LABEL reports SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_desform.cpp GUI)
