#pragma once

class CodeLines;
class FormModel;

// What the designer needs of the document that a design belongs to: the
// form, the code that follows it, and undo steps that take both together.
class FormDocument
{
public:
    virtual ~FormDocument() = default;

    virtual FormModel &form() = 0;
    virtual CodeLines &code() = 0;

    // Everything changed between the two (code and form) is one undo step.
    virtual void beginStep() = 0;
    virtual void endStep() = 0;
    // Marks the document modified without an undo step.
    virtual void markModified() = 0;

    // Puts the caret of the document's editor at `offset` of the code's text,
    // or on 0-based `line`, keeping its column.
    virtual void showCodeAt(int offset) = 0;
    virtual void showCodeLine(int line) = 0;
};

// One student gesture on a design: an undo step for as long as it lives.
class FormStep
{
public:
    explicit FormStep(FormDocument &document) : m_document(document) { m_document.beginStep(); }
    ~FormStep() { m_document.endStep(); }
    FormStep(const FormStep &) = delete;
    FormStep &operator=(const FormStep &) = delete;

private:
    FormDocument &m_document;
};
