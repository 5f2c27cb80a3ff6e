# Fails when a file under CORE_DIR includes a GUI module of Qt. The core links
# Qt Core alone; run as a test so that a file added after configuring is
# checked too:  cmake -DCORE_DIR=src/core -P CheckCoreIncludes.cmake
if(NOT CORE_DIR)
  message(FATAL_ERROR "CORE_DIR is not set")
endif()
file(GLOB_RECURSE core_files "${CORE_DIR}/*.h" "${CORE_DIR}/*.cpp")
set(offenders)
foreach(source IN LISTS core_files)
  file(STRINGS ${source} gui_includes
       REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](QtWidgets|QtGui|QtPrintSupport|QtSvg)(/|[>\"])")
  if(gui_includes)
    list(APPEND offenders "${source}: ${gui_includes}")
  endif()
endforeach()
if(offenders)
  list(JOIN offenders "\n" text)
  message(FATAL_ERROR "Core files include GUI modules:\n${text}")
endif()
list(LENGTH core_files checked)
message(STATUS "${checked} core files include Qt Core only")
