// The darvik executable: the host application's entry point.
#include "darvik_app.h"

int main(int argc, char** argv) { return darvik::DarvikMain(argc, argv); }
