#pragma once

// How a connection attempt finds its database file.
enum TConnectMode {
    // Program start: the file stored in the settings; a failed open asks
    // whether to choose the database again.
    cmStoredSettings = 0,
    // The user chooses the file in the connection dialog; a failed open asks the same.
    cmReconfigure = 1,
    // The file already set on the connection (an empty one still leads to
    // the dialog); a failed open asks nothing.
    cmGivenFile = 2,
};
