# Runs in CPack after the install into the staging folder, before the package is made: adds
# what Debian asks of every package and a plain `cmake --install` does not need: the copyright
# file and the compressed changelog in the documentation folder, the doc-base entry that
# registers the manual, programs without the compiler's notes, and man pages compressed with
# gzip -9n (the highest level, no name or time stamp in the header).
set(root "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
if(NOT IS_DIRECTORY "${root}/bin")
  message(FATAL_ERROR "no staged programs under ${root}")
endif()
set(doc "${root}/share/doc/${CPACK_PACKAGE_NAME}")

find_program(gzip gzip REQUIRED)
function(ql_gzip file)
  execute_process(COMMAND "${gzip}" -9nf "${file}" RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "gzip ${file} failed")
  endif()
endfunction()

file(MAKE_DIRECTORY "${doc}")
file(COPY "${CPACK_QL_DEBIAN_DIR}/copyright" DESTINATION "${doc}"
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
configure_file("${CPACK_QL_DEBIAN_DIR}/changelog.in" "${doc}/changelog" @ONLY)
file(CHMOD "${doc}/changelog" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
ql_gzip("${doc}/changelog")

file(MAKE_DIRECTORY "${root}/share/doc-base")
file(COPY_FILE "${CPACK_QL_DEBIAN_DIR}/ql7400.doc-base" "${root}/share/doc-base/ql7400")
file(CHMOD "${root}/share/doc-base/ql7400" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

# CPack stripped the programs of their symbols; the compiler's notes go too, as Debian's
# own packaging tools do.
find_program(objcopy objcopy)
if(objcopy)
  file(GLOB programs "${root}/bin/*")
  foreach(program IN LISTS programs)
    execute_process(COMMAND "${objcopy}" --remove-section=.comment "${program}" RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "objcopy --remove-section=.comment ${program} failed")
    endif()
  endforeach()
endif()

file(GLOB pages "${root}/share/man/man*/*.[1-9]")
foreach(page IN LISTS pages)
  ql_gzip("${page}")
endforeach()
