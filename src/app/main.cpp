#include "TovalinApplication.h"

int main(int argc, char* argv[])
{
    TovalinApplication app(argc, argv);
    return app.run();
}
