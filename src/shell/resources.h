#pragma once
// Makes the embedded pictures (":/pictures/...") available.
void InitPictureResources();
