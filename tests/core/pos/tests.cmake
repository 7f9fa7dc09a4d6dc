qarvel_add_test(NAME tst_possale LABEL pos SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_possale.cpp)
