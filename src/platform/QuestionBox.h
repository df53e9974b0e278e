#pragma once

#include <QString>

// A modal question answered Yes or No.
class QuestionBox
{
public:
    virtual ~QuestionBox() = default;

    // True for Yes; No, Esc and closing the box are all a no. An empty title stands for the
    // application title.
    virtual bool ask(const QString& question, const QString& title = {}) = 0;
};
