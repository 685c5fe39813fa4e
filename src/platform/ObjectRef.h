// A shared reference to a platform object that raises "Object variable not set" when used empty.
#pragma once

#include "Runtime.h"

#include <memory>
#include <utility>

namespace glintrow {

template <class T> class ObjectRef {
public:
    ObjectRef() = default;
    ObjectRef(std::nullptr_t) {}
    explicit ObjectRef(std::shared_ptr<T> object) : object_(std::move(object)) {}

    template <class... Args> static ObjectRef Make(Args&&... args) {
        return ObjectRef(std::make_shared<T>(std::forward<Args>(args)...));
    }

    T* operator->() const { return &get(); }
    T& operator*() const { return get(); }
    explicit operator bool() const { return object_ != nullptr; }
    bool operator==(std::nullptr_t) const { return object_ == nullptr; }

private:
    T& get() const {
        if (!object_)
            throw RuntimeError(reasons::ObjectVariableNotSet);
        return *object_;
    }

    std::shared_ptr<T> object_;
};

} // namespace glintrow
