# A cross build needs a few programs built for this machine: the icon writer
# for the Windows resources, and for the tests the identity table and the
# tests' view of the window. They are built by this project itself, in a
# native build of its own (build/<preset>/host), with the same sources and flags.
include(ExternalProject)
set(host_dir ${CMAKE_BINARY_DIR}/host)
set(RURO_HOST_ICO_EXPORT ${host_dir}/packaging/windows/ico_export)
set(host_targets ico_export)
set(host_products ${RURO_HOST_ICO_EXPORT})
if(RURO_BUILD_TESTS)
  set(RURO_HOST_IDENTITY_TABLE ${host_dir}/tests/identity/identity_table)
  set(RURO_FORM_JSON ${host_dir}/tests/form.json)
  list(APPEND host_targets identity_table form_description)
  list(APPEND host_products ${RURO_HOST_IDENTITY_TABLE} ${RURO_FORM_JSON})
endif()
ExternalProject_Add(host_tools
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${host_dir}
  CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DRURO_BUILD_UI=OFF -DRURO_BUILD_WIN32=OFF
             -DRURO_BUILD_TESTS=${RURO_BUILD_TESTS}
             -DCMAKE_COMPILE_WARNING_AS_ERROR=${CMAKE_COMPILE_WARNING_AS_ERROR}
  BUILD_COMMAND ${CMAKE_COMMAND} --build ${host_dir} --target ${host_targets}
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${host_products})
