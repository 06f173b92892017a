#pragma once
// A value most records leave at its default, held apart from the record: a record at the default
// holds no copy of its own, and copies of a record share one value until one of them edits it. A
// layer's grating, VCSEL block and VCSEL statement are such values; keeping them out of the layer
// record makes the records of a large device a fraction of the size.
//
// Reads go through * and ->, which give the default value while none was set. Writes go through
// Edit, which makes the value this holder's own first. A reference from Edit is valid for writing
// until the holder is next copied or assigned.

#include <memory>

template <class T>
class CCopyOnWrite {
public:
    CCopyOnWrite() = default;
    // Holds a copy of value (also when it equals the default).
    CCopyOnWrite(const T& value) : m_value(std::make_shared<T>(value)) {}

    CCopyOnWrite& operator=(const T& value)
    {
        m_value = std::make_shared<T>(value);
        return *this;
    }

    const T& operator*() const { return m_value ? *m_value : DefaultValue(); }
    const T* operator->() const { return &**this; }
    // Lets a holder stand where a const T& is read.
    operator const T&() const { return **this; }

    // The value for writing, no longer shared with any copy.
    T& Edit()
    {
        if (!m_value)
            m_value = std::make_shared<T>();
        else if (m_value.use_count() > 1)
            m_value = std::make_shared<T>(*m_value);
        return *m_value;
    }

    // Back to the default value, dropping this holder's copy.
    void SetDefault() { m_value.reset(); }

private:
    static const T& DefaultValue()
    {
        static const T value;
        return value;
    }

    std::shared_ptr<T> m_value;  // null: the default value
};
