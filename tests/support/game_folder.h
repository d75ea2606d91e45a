#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A program folder for tests: a question bank, the legend file and small pictures.
class GameFolder {
public:
    GameFolder();

    QString path() const { return dir.path() + QLatin1Char('/'); }
    QString file(const QString& name) const { return dir.filePath(name); }

    // A bank of n questions: question k asks "Pergunta k?" with "Certa k", "Errada1 k",
    // "Errada2 k" and "Complemento k."; drawn[k - 1] marks the ones already drawn.
    void writeBank(int n, const QList<bool>& drawn = {});

private:
    QTemporaryDir dir;
};
