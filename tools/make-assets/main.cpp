// Command line of the asset generator: renders the game's pictures and sounds into a folder.
#include "outputs.h"

#include <QGuiApplication>

#include <cstdio>
#include <string_view>

int main(int argc, char** argv) {
    using namespace glintrow::assets;
    if (argc == 3 && std::string_view(argv[1]) == "--contact-sheet") {
        // The sheet's text is laid out with the toolkit's fonts; no window is opened.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        const QGuiApplication application(argc, argv);
        return writeContactSheet(argv[2]) ? 0 : 1;
    }
    if (argc == 2 && std::string_view(argv[1]).substr(0, 1) != "-")
        return writeAllAssets(argv[1]) ? 0 : 1;
    std::fprintf(stderr, "usage: make-assets <outdir>\n"
                         "       make-assets --contact-sheet <file.png>\n");
    return 2;
}
