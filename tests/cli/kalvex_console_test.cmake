# Runs a host program (kalvex-console, kalvex-edit) headless and checks its
# exit code and output.
#   cmake -DPROGRAM=… -DARGS="a|b" -DEXPECT_RC=0 -DEXPECT_OUT=regex -DEXPECT_ERR=regex
#         [-DBROKEN_FILE=path] [-DEXPECT_FILES="a.png|b.png"] -P kalvex_console_test.cmake
# BROKEN_FILE is written first with a fault on line 4 (job preferences when it ends in .ruv).
# EXPECT_FILES are removed first and must exist, not empty, afterwards.
string(REPLACE "|" ";" EXPECT_FILES "${EXPECT_FILES}")
foreach(f ${EXPECT_FILES})
  file(REMOVE ${f})
endforeach()
if(BROKEN_FILE MATCHES "\\.ruv$")
  file(WRITE ${BROKEN_FILE} "JOB_PREFERENCES 2\nSection \"Layers\"\n.Layer 1\n..id \"unterminated\n")
elseif(BROKEN_FILE)
  file(WRITE ${BROKEN_FILE} "ADMIN_DB 1\nSection \"Generators\"\n.Generator \"G\"\n..name \"unterminated\n")
endif()
string(REPLACE "|" ";" ARGS "${ARGS}")
# The program starts from an empty environment and what it needs: nothing of
# the developer's desktop (scaling, style, theme, input method, locale) and
# no settings of the developer's own.
set(own ${CMAKE_CURRENT_BINARY_DIR}/cli_env)
file(MAKE_DIRECTORY ${own}/config ${own}/runtime)
file(CHMOD ${own}/runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
set(env PATH=$ENV{PATH} HOME=$ENV{HOME} XDG_CONFIG_HOME=${own}/config XDG_RUNTIME_DIR=${own}/runtime
    QT_QPA_PLATFORM=offscreen LANG=C.UTF-8)
foreach(name ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS)
  if(DEFINED ENV{${name}})
    list(APPEND env "${name}=$ENV{${name}}")
  endif()
endforeach()
execute_process(COMMAND env -i ${env} ${PROGRAM} ${ARGS} RESULT_VARIABLE rc OUTPUT_VARIABLE out
                ERROR_VARIABLE err TIMEOUT 60)
message("exit: ${rc}\nstdout:\n${out}\nstderr:\n${err}")
if(NOT rc STREQUAL EXPECT_RC)
  message(FATAL_ERROR "exit code ${rc}, expected ${EXPECT_RC}")
endif()
if(EXPECT_OUT AND NOT out MATCHES "${EXPECT_OUT}")
  message(FATAL_ERROR "stdout does not match ${EXPECT_OUT}")
endif()
if(EXPECT_ERR AND NOT err MATCHES "${EXPECT_ERR}")
  message(FATAL_ERROR "stderr does not match ${EXPECT_ERR}")
endif()
foreach(f ${EXPECT_FILES})
  if(NOT EXISTS ${f})
    message(FATAL_ERROR "${f} was not written")
  endif()
  file(SIZE ${f} size)
  if(size EQUAL 0)
    message(FATAL_ERROR "${f} is empty")
  endif()
endforeach()
