# What `cmake --install` puts under the prefix, in three components:
#   library      liborbel.so.* (and liborbel-qt.so.* with Qt)
#   development  the public headers under include/orbel/, the liborbel.so link,
#                the CMake package (Orbel::orbel, Orbel::orbel-qt) and orbel.pc
#   apps         the CLI, the Qt host, the gallery, the data files, the README,
#                the man page and the desktop entry
# A host adds <prefix>/include/orbel to its include path (the package and
# orbel.pc do it) and includes the headers as the library spells them:
# "orbel/builders/Exports.h", "toolkit/ScriptedToolkit.h", "toolkit-qt/QtToolkit.h".
include(CMakePackageConfigHelpers)

set(ORBEL_PACKAGE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Orbel)
set(ORBEL_HEADER_DIR ${CMAKE_INSTALL_INCLUDEDIR}/orbel)

# The headers a host includes to call every export and use every exported
# class, with everything they include; the install test compiles each alone.
set(ORBEL_PUBLIC_HEADERS
  orbel/Export.h
  orbel/builders/Exports.h
  orbel/builders/FilterExports.h
  orbel/builders/L1FilterExports.h
  orbel/builders/L2ConfigExports.h
  orbel/builders/ParamConfigExports.h
  orbel/builders/PrimitiveExports.h
  orbel/builders/ScenarioExports.h
  orbel/catalogue/ModuleCatalogue.h
  orbel/config/COtherParamCfgDlg.h
  orbel/config/SaveAmrVpParam.h
  orbel/diag/CEditEx.h
  orbel/diag/ModuleButtons.h
  orbel/diag/NumberText.h
  orbel/diag/cell/IgnoreBarred.h
  orbel/diag/enquiry/CDiagEnqCntDlg.h
  orbel/diag/enquiry/CDiagEnqTmrDlg.h
  orbel/diag/enquiry/CatalogueEnquiryDlg.h
  orbel/diag/enquiry/EnquiryCommand.h
  orbel/filter/SapFilterManager.h
  orbel/l1filter/PhyFaComSet.h
  orbel/l1filter/PhyFaLoopTest.h
  orbel/wire/ByteReader.h
  orbel/wire/CommandBuffer.h
  orbel/wire/DiagMessage.h
  toolkit/AnchorLayout.h
  toolkit/Button.h
  toolkit/CheckBox.h
  toolkit/ComboBox.h
  toolkit/Control.h
  toolkit/Dialog.h
  toolkit/Edit.h
  toolkit/Keys.h
  toolkit/Label.h
  toolkit/Layout.h
  toolkit/ProfileStore.h
  toolkit/RadioButton.h
  toolkit/Script.h
  toolkit/ScriptedToolkit.h
  toolkit/Toolkit.h
  toolkit/Types.h
  orbel/builders/SearchExports.h
  orbel/search/CTrcSrchDlg.h
  orbel/search/SearchRecord.h
  toolkit/TabControl.h
  orbel/builders/SaveAsExports.h
  orbel/primitive/SaveAsInfo.h
  orbel/config/L2ConfigLayout.h
  orbel/config/L2SapTables.h
)
set(ORBEL_QT_PUBLIC_HEADERS toolkit-qt/QtToolkit.h toolkit-qt/SessionRecorder.h)

set(ORBEL_HEADERS_TO_INSTALL ${ORBEL_PUBLIC_HEADERS})
if(ORBEL_WITH_QT)
  list(APPEND ORBEL_HEADERS_TO_INSTALL ${ORBEL_QT_PUBLIC_HEADERS})
endif()
foreach(header IN LISTS ORBEL_HEADERS_TO_INSTALL)
  get_filename_component(folder ${header} DIRECTORY)
  install(FILES ${PROJECT_SOURCE_DIR}/src/${header} DESTINATION ${ORBEL_HEADER_DIR}/${folder} COMPONENT development)
endforeach()
install(FILES ${PROJECT_BINARY_DIR}/generated/orbel/Version.h DESTINATION ${ORBEL_HEADER_DIR}/orbel
        COMPONENT development)

# The libraries and their CMake package.
install(TARGETS orbel EXPORT OrbelTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT library NAMELINK_COMPONENT development)
install(EXPORT OrbelTargets NAMESPACE Orbel:: DESTINATION ${ORBEL_PACKAGE_DIR} COMPONENT development)
if(ORBEL_WITH_QT)
  install(TARGETS orbel_qt EXPORT OrbelQtTargets
          LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT library NAMELINK_COMPONENT development)
  install(EXPORT OrbelQtTargets NAMESPACE Orbel:: DESTINATION ${ORBEL_PACKAGE_DIR} COMPONENT development)
endif()
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/OrbelConfig.cmake.in
                              ${PROJECT_BINARY_DIR}/OrbelConfig.cmake INSTALL_DESTINATION ${ORBEL_PACKAGE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/OrbelConfigVersion.cmake COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/OrbelConfig.cmake ${PROJECT_BINARY_DIR}/OrbelConfigVersion.cmake
        DESTINATION ${ORBEL_PACKAGE_DIR} COMPONENT development)
# orbel.pc finds the prefix from its own place, so the tree can move.
file(RELATIVE_PATH ORBEL_PC_TO_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
configure_file(${PROJECT_SOURCE_DIR}/cmake/orbel.pc.in ${PROJECT_BINARY_DIR}/orbel.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/orbel.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT development)

# The programs and what they read.
install(TARGETS orbel_cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT apps)
if(ORBEL_WITH_QT)
  install(TARGETS orbel-host orbel-gallery RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT apps)
  install(FILES ${PROJECT_SOURCE_DIR}/apps/orbel-host/orbel-host.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT apps)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/gallery/ DESTINATION ${CMAKE_INSTALL_DATADIR}/orbel/gallery
          COMPONENT apps)
endif()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/orbel/data COMPONENT apps)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT apps)

# The man page of the CLI, made from its --help.
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/orbel.1
                   COMMAND ${CMAKE_COMMAND} -DORBEL=$<TARGET_FILE:orbel_cli> -DOUTPUT=${PROJECT_BINARY_DIR}/orbel.1
                           -DVERSION=${PROJECT_VERSION} -P ${PROJECT_SOURCE_DIR}/cmake/ManPage.cmake
                   DEPENDS orbel_cli ${PROJECT_SOURCE_DIR}/cmake/ManPage.cmake
                   COMMENT "Writing the man page of orbel")
add_custom_target(orbel_man_page ALL DEPENDS ${PROJECT_BINARY_DIR}/orbel.1)
install(FILES ${PROJECT_BINARY_DIR}/orbel.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT apps)
