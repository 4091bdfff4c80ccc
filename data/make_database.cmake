# Builds the demonstration database: the Bible from the SWORD module engWEB2015eb
# (Debian packages sword-text-web and libsword-utils), every other table from the
# text in data/lectionary. Run by the data target:
#   cmake -DTOOL=lectarium-db -DSOURCE=data/lectionary -DWORK=build/data -DOUT=file.mdb -P make_database.cmake
cmake_minimum_required(VERSION 3.25)

set(MODULE engWEB2015eb)
# The tool may carry the sanitizers of a test build; its exit status must speak only of
# the database.
set(ENV{ASAN_OPTIONS} "detect_leaks=0")

find_program(MOD2IMP mod2imp)
if(NOT MOD2IMP)
  message(FATAL_ERROR "mod2imp is missing: install the Debian package libsword-utils "
                      "(apt-get install libsword-utils) to build the demonstration database.")
endif()

file(MAKE_DIRECTORY "${WORK}")
set(IMP "${WORK}/${MODULE}.imp")
execute_process(COMMAND "${MOD2IMP}" ${MODULE} OUTPUT_FILE "${IMP}" ERROR_VARIABLE MOD2IMP_ERROR RESULT_VARIABLE RC)
file(SIZE "${IMP}" IMP_SIZE)
if(NOT RC EQUAL 0 OR IMP_SIZE LESS 1000000)
  file(REMOVE "${IMP}")
  string(STRIP "${MOD2IMP_ERROR}" MOD2IMP_ERROR)
  message(FATAL_ERROR "The SWORD module ${MODULE} (World English Bible) is missing: install the Debian package "
                      "sword-text-web (apt-get install sword-text-web) to build the demonstration database. "
                      "mod2imp said: ${MOD2IMP_ERROR}")
endif()

# The source folder: the project's tables, and Bible.txt from the export.
set(FOLDER "${WORK}/source")
file(REMOVE_RECURSE "${FOLDER}")
file(COPY "${SOURCE}/" DESTINATION "${FOLDER}" FILES_MATCHING PATTERN "*.txt")

function(run_tool)
  execute_process(COMMAND "${TOOL}" ${ARGN} RESULT_VARIABLE RC OUTPUT_VARIABLE OUT_TEXT ERROR_VARIABLE ERR_TEXT)
  if(NOT RC EQUAL 0)
    message(FATAL_ERROR "lectarium-db ${ARGV0} failed:\n${OUT_TEXT}${ERR_TEXT}")
  endif()
  set(TOOL_OUTPUT "${OUT_TEXT}" PARENT_SCOPE)
endfunction()

run_tool(import-bible imp "${IMP}" "${FOLDER}")
file(WRITE "${WORK}/import-bible.txt" "${TOOL_OUTPUT}")
run_tool(build "${FOLDER}" "${OUT}")
execute_process(COMMAND "${TOOL}" check "${OUT}" RESULT_VARIABLE RC OUTPUT_VARIABLE OUT_TEXT ERROR_VARIABLE ERR_TEXT)
if(NOT RC EQUAL 0)
  file(REMOVE "${OUT}")
  message(FATAL_ERROR "lectarium-db check found references that cannot be resolved:\n${OUT_TEXT}${ERR_TEXT}")
endif()
message(STATUS "Demonstration database built: ${OUT} (import report: ${WORK}/import-bible.txt)")
