#pragma once
// The two picture turns of a card box.
class CardBox;

// A quarter turn clockwise: the picture's top edge becomes its right edge, the box's width and
// height are exchanged and its top-left corner stays. The box's Picture stays upright.
void RotatePicture90(CardBox& box);

// A half turn: the picture, stretched to the box's inner area, is turned upside down and becomes
// the box's Picture. The box keeps its place and size.
void RotatePicture180(CardBox& box);
