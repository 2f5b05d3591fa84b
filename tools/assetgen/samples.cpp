// SPDX-License-Identifier: GPL-3.0-or-later
// Offers the sample topics to a Data folder by the program's own rule, so the build's program
// folder gets them as a player's data folder does: each sample once, where no file of its name
// is; one the player deleted is not brought back by a rebuild.
//
//     drietal_samples <sample folder> <Data folder>

#include "storage/samples.h"
#include "storage/paths.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    // The Data folder lies in a program folder, which the samples' note and links are judged by.
    if (args.size() != 3 || QFileInfo(args[2]).fileName() != QStringLiteral("Data")) {
        std::fprintf(stderr, "usage: drietal_samples <sample folder> <Data folder>\n");
        return 2;
    }
    if (!Opslag::biedVoorbeeldenAan(Opslag::Mappen(QFileInfo(args[2]).absolutePath()), args[1])) {
        std::fprintf(stderr, "drietal_samples: cannot offer the samples of %s to %s\n",
                     qPrintable(args[1]), qPrintable(args[2]));
        return 1;
    }
    return 0;
}
