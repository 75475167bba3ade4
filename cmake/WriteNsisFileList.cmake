# Writes OUTPUT, an NSIS include with two macros over the files under STAGE:
# InstallFiles puts each into $INSTDIR, UninstallFiles deletes each and then
# the folders, deepest first, if nothing else is left in them. So the
# uninstaller removes exactly what the installer wrote.
#
#   cmake -DSTAGE=folder -DOUTPUT=files.nsh -P WriteNsisFileList.cmake
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${STAGE} ${STAGE}/*)
list(SORT files)
set(install "!macro InstallFiles\n")
set(uninstall "!macro UninstallFiles\n")
set(folders)
foreach(file IN LISTS files)
  string(REPLACE "/" "\\" name "${file}")
  get_filename_component(folder ${file} DIRECTORY)
  set(out "$INSTDIR")
  if(folder)
    string(REPLACE "/" "\\" folder_name "${folder}")
    string(APPEND out "\\${folder_name}")
  endif()
  string(APPEND install "  SetOutPath \"${out}\"\n  File \"${STAGE}/${file}\"\n")
  string(APPEND uninstall "  Delete \"$INSTDIR\\${name}\"\n")
  if(folder)
    list(APPEND folders ${folder})
  endif()
endforeach()
list(REMOVE_DUPLICATES folders)
list(SORT folders ORDER DESCENDING)
foreach(folder IN LISTS folders)
  string(REPLACE "/" "\\" folder_name "${folder}")
  string(APPEND uninstall "  RMDir \"$INSTDIR\\${folder_name}\"\n")
endforeach()
file(WRITE ${OUTPUT} "${install}!macroend\n${uninstall}!macroend\n")
