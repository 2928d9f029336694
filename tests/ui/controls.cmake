ravik_add_test(tst_controls SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_controls.cpp LIBS ravik_ui Qt6::Sql)
