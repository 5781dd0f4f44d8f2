#pragma once

// Application-wide look: the name the settings store uses and the Verdana font of every
// caption (substituted by a close sans font where Verdana is missing).
void ConfigureApplication();
