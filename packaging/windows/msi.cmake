# The Windows installer, included by packaging/windows/CMakeLists.txt: wixl (msitools)
# builds rurorovirora-VERSION-win64.msi from rurorovirora.wxs, the program
# and its icon, next to the zip in build/package. Per user, no administrator.
find_program(RURO_WIXL wixl)
if(NOT RURO_WIXL)
  message(WARNING "wixl not found (Debian package wixl): the .msi is not built")
  return()
endif()

set(RURO_PACKAGE_DIR ${PROJECT_SOURCE_DIR}/build/package CACHE PATH "Folder the Windows installer is written to")
set(RURO_MSI ${RURO_PACKAGE_DIR}/rurorovirora-${PROJECT_VERSION}-win64.msi CACHE INTERNAL "The Windows installer")
set(msi_wxs ${PROJECT_SOURCE_DIR}/packaging/windows/rurorovirora.wxs)
set(msi_stage ${CMAKE_CURRENT_BINARY_DIR}/msi)
# wixl 0.101 takes its files by paths relative to where it runs: it runs
# in a folder holding just them.
add_custom_command(OUTPUT ${RURO_MSI}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${msi_stage} ${RURO_PACKAGE_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:rurorovirora> ${msi_stage}/rurorovirora.exe
  COMMAND ${CMAKE_COMMAND} -E copy ${RURO_ICO} ${msi_stage}/rurorovirora.ico
  COMMAND ${CMAKE_COMMAND} -E chdir ${msi_stage}
          ${RURO_WIXL} -a x64 -D Version=${PROJECT_VERSION} -D Exe=rurorovirora.exe -D Icon=rurorovirora.ico
          -o ${RURO_MSI} ${msi_wxs}
  DEPENDS rurorovirora ${RURO_ICO} ${msi_wxs}
  COMMENT "Writing the Windows installer ${RURO_MSI}"
  VERBATIM)
add_custom_target(msi ALL DEPENDS ${RURO_MSI})
