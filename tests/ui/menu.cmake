ravik_add_test(tst_menu SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_menu.cpp
               ${CMAKE_CURRENT_LIST_DIR}/UiFixture.h LIBS ravik_ui Qt6::Sql)
