# CPack's last step: each package written again, its entries dated from the
# commit and in name order, so that the ZIP is the same from build to build.
foreach(paquet IN LISTS CPACK_PACKAGE_FILES)
  execute_process(COMMAND ${CPACK_PIXAVUE_RACINE}/scripts/zip_reproductible.py ${paquet} ${CPACK_PIXAVUE_EPOQUE}
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
