qarvel_add_test(NAME tst_documents LABEL documents SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_documents.cpp)
qarvel_add_test(NAME tst_itemclipboard LABEL documents SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_itemclipboard.cpp)
qarvel_add_test(NAME tst_documenttotals LABEL documents SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_documenttotals.cpp)
