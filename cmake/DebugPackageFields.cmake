# Run by CPack once it has packed (CPACK_POST_BUILD_SCRIPTS): gives the debug-symbol package the
# fields Debian's own debug packages carry, which CPack writes only into debug packages it splits
# itself: Auto-Built-Package, and Build-Ids with the build id of every file the package holds.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(NOT package MATCHES "-dbgsym_[^/]*\\.deb$")
    continue()
  endif()
  set(root ${package}.tree)
  file(REMOVE_RECURSE ${root})
  execute_process(COMMAND dpkg-deb --raw-extract ${package} ${root} COMMAND_ERROR_IS_FATAL ANY)
  set(ids_folder ${root}/usr/lib/debug/.build-id)
  file(GLOB_RECURSE debug_files RELATIVE ${ids_folder} ${ids_folder}/*.debug)
  set(ids)
  foreach(file IN LISTS debug_files)
    string(REGEX REPLACE "^([0-9a-f]+)/([0-9a-f]+)\\.debug$" "\\1\\2" id ${file})
    list(APPEND ids ${id})
  endforeach()
  if(NOT ids)
    message(FATAL_ERROR "${package} holds no debug file named by its build id")
  endif()
  list(SORT ids)
  list(JOIN ids " " ids)
  # CPack ends the control file with an empty line, which would open a second entry.
  file(READ ${root}/DEBIAN/control control)
  string(STRIP "${control}" control)
  file(WRITE ${root}/DEBIAN/control
    "${control}\nAuto-Built-Package: debug-symbols\nBuild-Ids: ${ids}\n")
  # dpkg-deb dates what it packs no later than SOURCE_DATE_EPOCH, so the bytes stay the same.
  execute_process(COMMAND dpkg-deb --root-owner-group -Zxz --build ${root} ${package}
    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE ${root})
endforeach()
