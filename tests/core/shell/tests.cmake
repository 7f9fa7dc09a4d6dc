qarvel_add_test(NAME tst_password LABEL shell SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_password.cpp)
