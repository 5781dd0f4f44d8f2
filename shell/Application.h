#pragma once

// Application-wide set-up: the name the settings store uses, the desktop file name that ties
// the windows to the installed launcher, the window icon, and the Verdana font of every
// caption (substituted by a close sans font where Verdana is missing).
void ConfigureApplication();
