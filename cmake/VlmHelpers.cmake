# Helpers that let each folder add its own sources and tests without
# touching the top-level CMakeLists.txt.

# vlm_layer(<target> [UI] [PURE] [DEPENDS layer...] [QT component...] [SOURCES file...])
#   The static library of the current folder: one folder of src/ is one layer
#   and one target. DEPENDS names the layers directly below, as the include
#   test's table (tests/layers) allows them; their include paths and libraries
#   come along. A logic layer links QtCore and the QT components it names; PURE
#   links no Qt at all; UI adds Qt Gui, Widgets and Print Support and is left
#   out of a logic-only build. vlm_logic and vlm_ui gather the layers of each kind.
function(vlm_layer target)
  cmake_parse_arguments(L "UI;PURE" "" "DEPENDS;QT;SOURCES" ${ARGN})
  add_library(${target} STATIC ${L_SOURCES})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${target} PUBLIC ${L_DEPENDS})
  if(NOT L_PURE)
    target_link_libraries(${target} PUBLIC Qt6::Core)
  endif()
  foreach(component ${L_QT})
    target_link_libraries(${target} PUBLIC Qt6::${component})
  endforeach()
  if(L_UI)
    target_link_libraries(${target} PUBLIC Qt6::Gui Qt6::Widgets Qt6::PrintSupport)
    if(VLM_LOGIC_ONLY)
      set_target_properties(${target} PROPERTIES EXCLUDE_FROM_ALL ON)
    endif()
    set_property(GLOBAL APPEND PROPERTY VLM_UI_LAYERS ${target})
    set_property(DIRECTORY PROPERTY VLM_LAYER_KIND ui)
  else()
    set_property(GLOBAL APPEND PROPERTY VLM_LOGIC_LAYERS ${target})
    set_property(DIRECTORY PROPERTY VLM_LAYER_KIND logic)
  endif()
  set_property(DIRECTORY PROPERTY VLM_LAYER_TARGET ${target})
endfunction()

# Adds files to the current folder's layer after checking that its kind fits.
function(vlm_layer_sources kind)
  get_property(target DIRECTORY PROPERTY VLM_LAYER_TARGET)
  get_property(actual DIRECTORY PROPERTY VLM_LAYER_KIND)
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  if(NOT target)
    message(FATAL_ERROR "${folder}: call vlm_layer() before adding sources")
  endif()
  if(NOT actual STREQUAL kind)
    message(FATAL_ERROR "${folder} holds ${actual} code; put ${ARGN} into the folder "
      "of that kind (widgets go to a ui/ folder, everything else beside it)")
  endif()
  foreach(f ${ARGN})
    target_sources(${target} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/${f})
  endforeach()
endfunction()

# vlm_logic_sources(a.cpp b.cpp ...): non-widget code (QtCore, QtSql, QtNetwork at most).
function(vlm_logic_sources)
  vlm_layer_sources(logic ${ARGN})
endfunction()

# vlm_ui_sources(a.cpp ...): pages and windows (not built in a logic-only build).
function(vlm_ui_sources)
  vlm_layer_sources(ui ${ARGN})
endfunction()

# vlm_test(NAME n SOURCES ... LIBS ... [GUI] [QTTEST] [DB])
#   Logic tests use GoogleTest (gtest_main) unless QTTEST is given.
#   DB: the test works on copies of the built databases (VLM_TEST_DB,
#   VLM_TEST_EXPORT_DB, the Access template, and VLM_TEST_EXPORT_STAGING, its
#   tables as SQLite) with the fixtures of tests/support.
#   GUI tests (QtTest, offscreen platform) are defined but neither built nor
#   registered in a logic-only build, so that properties set on them stay valid.
function(vlm_test)
  cmake_parse_arguments(T "GUI;QTTEST;DB" "NAME;TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(T_GUI AND VLM_LOGIC_ONLY)
    add_executable(${T_NAME} EXCLUDE_FROM_ALL ${T_SOURCES})
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} Qt6::Test)
    vlm_test_databases(${T_NAME} ${T_DB})
    return()
  endif()
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS})
  vlm_test_databases(${T_NAME} ${T_DB})
  if(T_GUI OR T_QTTEST)
    target_link_libraries(${T_NAME} PRIVATE Qt6::Test)
  else()
    target_link_libraries(${T_NAME} PRIVATE GTest::gtest_main GTest::gmock)
  endif()
  set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_compile_definitions(${T_NAME} PRIVATE
    VLM_SOURCE_DIR="${PROJECT_SOURCE_DIR}" VLM_PROGRAM_DIR="${VLM_PROGRAM_DIR}"
    VLM_BINARY_DIR="${CMAKE_BINARY_DIR}")
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set(env "QT_QPA_PLATFORM=offscreen;VLM_SERVER=http://127.0.0.1:9")
  if(T_GUI)
    set_tests_properties(${T_NAME} PROPERTIES LABELS gui ENVIRONMENT "${env}" TIMEOUT ${T_TIMEOUT})
  else()
    set_tests_properties(${T_NAME} PROPERTIES LABELS logic ENVIRONMENT "${env}" TIMEOUT ${T_TIMEOUT})
  endif()
endfunction()

function(vlm_test_databases name wanted)
  if(wanted)
    target_compile_definitions(${name} PRIVATE VLM_TEST_DB="${VLM_TEST_DB}"
      VLM_TEST_EXPORT_DB="${VLM_TEST_EXPORT_DB}" VLM_TEST_EXPORT_STAGING="${VLM_TEST_EXPORT_STAGING}")
    target_link_libraries(${name} PRIVATE vlm_test_support)
    add_dependencies(${name} vlm_databases)
  endif()
endfunction()

# vlm_fuzz(NAME n SOURCES ... LIBS ... [SECONDS s])
#   A libFuzzer target, built only with VLM_FUZZ=ON under clang; registered as
#   a short CTest run (label fuzz). One input that runs longer than 10 s counts
#   as a hang and fails the run at once, with the input saved for replay.
function(vlm_fuzz)
  cmake_parse_arguments(F "" "NAME;SECONDS" "SOURCES;LIBS;CORPUS" ${ARGN})
  if(NOT VLM_FUZZ)
    return()
  endif()
  if(NOT F_SECONDS)
    set(F_SECONDS 20)
  endif()
  add_executable(${F_NAME} ${F_SOURCES})
  target_compile_options(${F_NAME} PRIVATE -fsanitize=fuzzer)
  target_link_options(${F_NAME} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${F_NAME} PRIVATE ${F_LIBS})
  set_target_properties(${F_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
  add_test(NAME ${F_NAME} COMMAND ${F_NAME} -max_total_time=${F_SECONDS} -timeout=10
    -rss_limit_mb=4096 ${F_CORPUS})
  math(EXPR F_LIMIT "${F_SECONDS} + 120")
  set_tests_properties(${F_NAME} PROPERTIES LABELS fuzz TIMEOUT ${F_LIMIT})
endfunction()

# vlm_bench(NAME n SOURCES ... LIBS ...): a Google Benchmark program in build/bench.
function(vlm_bench)
  cmake_parse_arguments(B "" "NAME" "SOURCES;LIBS" ${ARGN})
  find_package(benchmark REQUIRED)
  add_executable(${B_NAME} ${B_SOURCES})
  target_link_libraries(${B_NAME} PRIVATE ${B_LIBS} benchmark::benchmark)
  set_target_properties(${B_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
  target_compile_definitions(${B_NAME} PRIVATE
    VLM_SOURCE_DIR="${PROJECT_SOURCE_DIR}" VLM_PROGRAM_DIR="${VLM_PROGRAM_DIR}")
endfunction()

# Adds every subdirectory of the current folder that has a CMakeLists.txt.
function(vlm_add_present_subdirectories)
  file(GLOB children RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT children)
  foreach(child ${children})
    if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${child} AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()
