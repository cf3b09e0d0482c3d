# `make package`: a Debian package of everything `cmake --install` installs. dpkg-shlibdeps finds the
# dependencies from the libraries the programs link; the fonts the window asks for are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zomar)
set(CPACK_PACKAGE_CONTACT "ZOMAR developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "RF impedance-matching workbench on a Smith chart")
set(CPACK_PACKAGE_DESCRIPTION [[
ZOMAR designs impedance-matching networks at radio frequencies. A ladder of
up to five series or parallel capacitors, inductors, resistors and
transmission lines is drawn on a Smith chart node by node; values are solved
by clicking the chart or tuned with the mouse wheel, the frequency is swept
and the power transfer plotted. zomar-cli does the same computations from
the command line.]])
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
