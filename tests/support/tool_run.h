#pragma once

// Runs one of the built tools to its end, as the command-line tests do.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <sys/resource.h>

struct Tool_Run {
    int exitCode = -1; // -1: it did not end by itself within the time given
    QByteArray out;
    QByteArray err;
};

// program in folder (the test's own when empty), its files held to fileSizeLimit bytes so a
// test can fill the disk for it.
Tool_Run Run_Tool(const QString& program, const QStringList& arguments, const QString& folder = QString(),
                  int timeoutMs = 300000, rlim_t fileSizeLimit = RLIM_INFINITY);
