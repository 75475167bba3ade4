# The DLLs that a Windows build of Talvoreth loads besides the system's: Qt's,
# libjpeg's and the compiler's own runtime. Sets TALVORETH_RUNTIME_DLLS (the
# files) and, for running the tests under Wine, CMAKE_CROSSCOMPILING_EMULATOR
# with the folders they lie in.
set(TALVORETH_RUNTIME_DLLS $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui>
  $<TARGET_FILE:Qt6::Widgets>)
get_target_property(qt_core_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(qt_bin ${qt_core_dll} DIRECTORY)
# libjpeg's DLL lies in bin/, beside the folder of its import library.
get_filename_component(jpeg_lib ${JPEG_LIBRARY} DIRECTORY)
find_file(TALVORETH_JPEG_DLL libjpeg-62.dll HINTS ${jpeg_lib}/../bin REQUIRED NO_DEFAULT_PATH)
list(APPEND TALVORETH_RUNTIME_DLLS ${TALVORETH_JPEG_DLL})
get_filename_component(jpeg_bin ${TALVORETH_JPEG_DLL} DIRECTORY)
set(runtime_folders ${qt_bin} ${jpeg_bin})
# The compiler's own runtime, where the compiler finds it.
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} has no ${dll}")
  endif()
  list(APPEND TALVORETH_RUNTIME_DLLS ${path})
  get_filename_component(folder ${path} DIRECTORY)
  list(APPEND runtime_folders ${folder})
endforeach()
list(REMOVE_DUPLICATES runtime_folders)
string(REPLACE ";" ":" runtime_folders "${runtime_folders}")
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/tests/windows/wine-run.sh ${runtime_folders})
