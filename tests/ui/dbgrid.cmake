ravik_add_test(tst_dbgrid SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_dbgrid.cpp LIBS ravik_ui Qt6::Sql)
