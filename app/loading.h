// The heavy start-up loading behind the loading screen: textures, the polygon
// model and the TGA images (the sounds come with the sound system).
#pragma once

// Runs the loading stages; a failure that makes running impossible posts the
// quit message after reporting it, so the shutdown sequence still runs.
void showLoadingScreen();
