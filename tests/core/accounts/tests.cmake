qarvel_add_test(NAME tst_amountinwords LABEL accounts SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_amountinwords.cpp)
qarvel_add_test(NAME tst_adminwords LABEL accounts SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_adminwords.cpp)
target_link_libraries(tst_adminwords PRIVATE qarvel_admin_lib)
