# The Debian package, built by `cmake --build build --target package`.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dribolex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "quiz de futebol sobre a Copa do Mundo de 2022")
set(CPACK_PACKAGE_CONTACT "Os autores do Dribolex <dribolex@example.org>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Escolha ou crie um jogador e responda a quatro perguntas de três opções
por partida: acerto é gol a favor, erro é gol contra. A substituição troca
a pergunta e o auxílio técnico leva a uma cobrança de pênalti. As partidas
rendem figurinhas para um álbum de 1200 espaços.

Os jogadores, os álbuns e as perguntas já sorteadas ficam na pasta de cada
usuário, em ~/.local/share/dribolex/.")
# Depends worked out by dpkg-shlibdeps from the libraries the programs link.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
