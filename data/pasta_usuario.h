#pragma once

#include <QByteArray>
#include <QString>

// Prepares the per-user game folder from the installed content. The first start builds it in a
// temporary sibling and renames it into place, so it exists whole or not at all: the files the
// game writes are copied, the rest linked. Later starts keep what it holds, only adding what it
// lacks (and links left dangling), except that a bank that differs from the installed one is
// replaced by it, drawn flags carried over by Codigo; the legend file and the player file are
// never replaced. False, with a text in Portuguese, when the
// folder cannot be created or written.
bool preparaPastaDoUsuario(const QString& conteudo, const QString& usuario, QString* erro);

// The records of the new bank, each question's Usada taken from the old bank when it holds the
// same Codigo (drawn if any of its records with that code was drawn).
QByteArray atualizaBanco(const QByteArray& novo, const QByteArray& antigo);
