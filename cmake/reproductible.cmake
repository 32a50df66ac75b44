# A release is the same bytes from the same commit, wherever and whenever it
# is built (scripts/reproduire.sh builds it twice and compares):
# - its time is the last commit's, or SOURCE_DATE_EPOCH's when it is set: the
#   program's PE time stamp, the ZIP's entries, the MSI's files and dates;
# - no folder it was built in shows in the program or in its symbols;
# - the MSI's product and package codes come from the version and the commit
#   (the upgrade code never changes).
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(PIXAVUE_EPOQUE "$ENV{SOURCE_DATE_EPOCH}")
else()
  execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                  OUTPUT_VARIABLE PIXAVUE_EPOQUE OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
endif()
if(NOT PIXAVUE_EPOQUE MATCHES "^[0-9]+$")
  set(PIXAVUE_EPOQUE 0)
endif()
execute_process(COMMAND git rev-parse HEAD WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                OUTPUT_VARIABLE PIXAVUE_COMMIT OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
# A new commit configures again, so that its time and codes follow it.
if(EXISTS ${PROJECT_SOURCE_DIR}/.git/logs/HEAD)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/.git/logs/HEAD)
endif()

# The build folder first: it lies inside the sources, and GCC takes the last
# map that matches.
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=. -ffile-prefix-map=${PROJECT_BINARY_DIR}=build)

# Codes drawn from the version and the commit, in the project's own UUID
# namespace.
set(PIXAVUE_ESPACE_CODES 5B0E6B8E-3C41-4E4A-9B59-2E0A7C1D4F10)
string(UUID PIXAVUE_CODE_PRODUIT NAMESPACE ${PIXAVUE_ESPACE_CODES} NAME "produit ${PROJECT_VERSION} ${PIXAVUE_COMMIT}"
       TYPE SHA1 UPPER)
string(UUID PIXAVUE_CODE_PAQUET NAMESPACE ${PIXAVUE_ESPACE_CODES} NAME "paquet ${PROJECT_VERSION} ${PIXAVUE_COMMIT}"
       TYPE SHA1 UPPER)

# Signed when a certificate is given, at configure time: a PKCS#12 file in
# PIXAVUE_CERTIFICAT, its password in PIXAVUE_MOT_DE_PASSE (read at build
# time, never stored), and a time-stamp server in PIXAVUE_HORODATAGE if any.
set(PIXAVUE_CERTIFICAT "$ENV{PIXAVUE_CERTIFICAT}" CACHE FILEPATH "PKCS#12 certificate that signs the release")
if(PIXAVUE_CERTIFICAT)
  message(STATUS "Pixavue.scr and the MSI are signed with ${PIXAVUE_CERTIFICAT}")
  set(PIXAVUE_SIGNER ${PROJECT_SOURCE_DIR}/scripts/signer.sh ${PIXAVUE_CERTIFICAT})
else()
  message(STATUS "Pixavue.scr and the MSI are not signed: no certificate in PIXAVUE_CERTIFICAT")
  set(PIXAVUE_SIGNER true)
endif()
