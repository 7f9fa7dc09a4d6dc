qarvel_add_test(NAME tst_storechk LABEL items SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_storechk.cpp)
target_link_libraries(tst_storechk PRIVATE qarvel_admin_lib)
qarvel_add_test(NAME tst_catalogue LABEL items SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_catalogue.cpp)
qarvel_add_test(NAME tst_itemimport LABEL items SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_itemimport.cpp)
