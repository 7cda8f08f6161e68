// Signature texts of the exports, made from the functions and classes
// themselves, so that the export table cannot drift from the declarations.
#pragma once

#include <cxxabi.h>

#include <cstddef>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <typeinfo>
#include <vector>

namespace orbel::runner {

struct Signature {
  std::string_view name;    // "OrbelGetLockCellBuffer", "SapFilterManager::CreateMessage"
  std::string declaration;  // "unsigned char* OrbelGetTmrEnqueryBuffer(unsigned int* len)"
  std::string symbol;       // as `nm -C` shows the symbol: "OrbelGetTmrEnqueryBuffer(unsigned int*)"
  std::vector<std::string_view> parameterNames;
};

// The C++ spelling of T as the demangler writes it: "unsigned char*",
// "int&", "std::pair<unsigned char*, int>".
template <typename T>
std::string typeName() {
  if constexpr (std::is_lvalue_reference_v<T>) {
    return typeName<std::remove_reference_t<T>>() + '&';
  } else {
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> demangled(abi::__cxa_demangle(typeid(T).name(), nullptr, nullptr, &status),
                                                     std::free);
    return status == 0 ? std::string(demangled.get()) : std::string(typeid(T).name());
  }
}

namespace detail {

template <typename... Args, std::size_t N>
void appendParameters(Signature& signature, const std::string_view (&names)[N]) {
  static_assert(N == sizeof...(Args), "one name per parameter");
  const std::string types[] = {typeName<Args>()...};
  signature.declaration += '(';
  signature.symbol += '(';
  for (std::size_t i = 0; i < N; ++i) {
    const char* separator = i == 0 ? "" : ", ";
    signature.declaration += separator + types[i] + ' ' + std::string(names[i]);
    signature.symbol += separator + types[i];
    signature.parameterNames.push_back(names[i]);
  }
  signature.declaration += ')';
  signature.symbol += ')';
}

}  // namespace detail

// A free function: `functionSignature("F", &F, {"len"})`, one name per parameter.
template <typename Result, typename... Args, std::size_t N>
Signature functionSignature(std::string_view name, Result (*)(Args...), const std::string_view (&names)[N]) {
  Signature signature{name, typeName<Result>() + ' ' + std::string(name), std::string(name), {}};
  detail::appendParameters<Args...>(signature, names);
  return signature;
}

// A member function of an exported class, named "Class::Method".
template <typename Class, typename Result, typename... Args, std::size_t N>
Signature functionSignature(std::string_view name, Result (Class::*)(Args...), const std::string_view (&names)[N]) {
  Signature signature{name, typeName<Result>() + ' ' + std::string(name), std::string(name), {}};
  detail::appendParameters<Args...>(signature, names);
  return signature;
}

// An exported class that a host constructs with these arguments.
template <typename Class, typename... Args, std::size_t N>
Signature constructorSignature(std::string_view className, const std::string_view (&names)[N]) {
  static_assert(std::is_constructible_v<Class, Args...>, "the class is constructed with these arguments");
  Signature signature{className, "class " + std::string(className),
                      std::string(className) + "::" + std::string(className), {}};
  detail::appendParameters<Args...>(signature, names);
  return signature;
}

// An exported dialog class whose result a host reads from a public member
// after its modal run: "class PhyFaComSet : CDialog { unsigned char* m_pFrame; }".
template <typename Class, typename Member>
Signature resultMemberSignature(std::string_view className, Member Class::*, std::string_view memberName) {
  return {className,
          "class " + std::string(className) + " : CDialog { " + typeName<Member>() + ' ' + std::string(memberName) +
              "; }",
          std::string(className) + "::" + std::string(className) + '(',
          {}};
}

}  // namespace orbel::runner

// The signature of function F (a free function or Class::Method) with the
// names of its parameters, in order.
#define ORBEL_SIGNATURE(F, ...) ::orbel::runner::functionSignature(#F, &F, {__VA_ARGS__})
// The signature of an exported dialog class read through its public member M.
#define ORBEL_RESULT_MEMBER(C, M) ::orbel::runner::resultMemberSignature(#C, &C::M, #M)
