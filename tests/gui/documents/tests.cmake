qarvel_add_test(NAME tst_documentspage LABEL documents SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_documentspage.cpp
                ${CMAKE_CURRENT_LIST_DIR}/DocsFixture.h GUI)
qarvel_add_test(NAME tst_documentlines LABEL documents SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_documentlines.cpp
                ${CMAKE_CURRENT_LIST_DIR}/DocsFixture.h GUI)
# No test may wait for a message box that nobody answers.
set_property(TEST tst_documentspage tst_documentlines APPEND PROPERTY ENVIRONMENT QARVEL_MSGBOX_AUTOANSWER=1)
