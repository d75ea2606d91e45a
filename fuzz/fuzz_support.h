#pragma once

#include "tests/support/recording_platform.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

// A program folder of its own and a silent platform for one fuzzer process.
struct FuzzFolder {
    QTemporaryDir dir;
    RecordingPlatform recorder{dir.path() + QLatin1Char('/')};

    FuzzFolder() { recorder.runEvents = false; }

    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }

    void write(const char* name, const uint8_t* data, size_t size) const
    {
        QFile file(path(name));
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
            std::abort();
    }

    QByteArray read(const char* name) const
    {
        QFile file(path(name));
        if (!file.open(QIODevice::ReadOnly))
            std::abort();
        return file.readAll();
    }
};

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition))                                                                          \
            __builtin_trap();                                                                      \
    } while (0)
