ravik_add_test(tst_commands SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_commands.cpp
               ${CMAKE_CURRENT_LIST_DIR}/UiFixture.h LIBS ravik_ui Qt6::Sql)
