ravik_add_test(tst_settings SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_settings.cpp
               ${CMAKE_CURRENT_LIST_DIR}/UiFixture.h LIBS ravik_ui Qt6::Sql)
