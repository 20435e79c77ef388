// A method called in a watched expression: found by its name and arguments,
// refused when it would change the program (a method of the JDK's known to
// change its object, or a student's method whose code writes a field or an
// array), and run on the stopped thread alone, with the time limit.
import com.sun.jdi.ArrayType;
import com.sun.jdi.ClassType;
import com.sun.jdi.InterfaceType;
import com.sun.jdi.Method;
import com.sun.jdi.ObjectReference;
import com.sun.jdi.ReferenceType;
import com.sun.jdi.Value;
import com.sun.jdi.VirtualMachine;
import com.sun.source.tree.ExpressionTree;
import com.sun.source.tree.IdentifierTree;
import com.sun.source.tree.MemberSelectTree;
import com.sun.source.tree.MethodInvocationTree;
import java.util.ArrayList;
import java.util.List;

final class Calls {
    private Calls() {
    }

    static Object call(Expressions expressions, MethodInvocationTree call) throws Invoker.Failure {
        ExpressionTree select = call.getMethodSelect();
        String name;
        Object receiver;
        if (select instanceof MemberSelectTree m) {
            name = m.getIdentifier().toString();
            receiver = expressions.evaluatePart(m.getExpression());
        } else {
            name = ((IdentifierTree) select).getName().toString();
            ObjectReference self = expressions.frame().thisObject();
            receiver = self != null ? self : Expressions.typeName(expressions.frame().location().declaringType());
        }
        List<Object> arguments = new ArrayList<>();
        for (ExpressionTree argument : call.getArguments())
            arguments.add(expressions.evaluatePart(argument));

        VirtualMachine vm = expressions.frame().virtualMachine();
        if (receiver instanceof String text)
            receiver = vm.mirrorOf(text);
        if (Expressions.isNull(receiver))
            throw new Invoker.Failure("O valor antes de ." + name + "() é null: não há objeto para chamar o método "
                                      + "(seria um NullPointerException).");
        ReferenceType type = Expressions.typeNameOf(receiver);
        boolean isStatic = type != null;
        if (!isStatic) {
            if (!(receiver instanceof ObjectReference object))
                throw new Invoker.Failure("Valores de " + Expressions.typeOf(receiver) + " não têm métodos.");
            type = object.referenceType();
        }
        Method method = find(type, name, arguments, isStatic);
        if (method == null)
            throw new Invoker.Failure(JavaText.simpleType(type.name()) + " não tem um método " + name + " com "
                                      + arguments.size() + (arguments.size() == 1 ? " argumento" : " argumentos")
                                      + " desses tipos.");
        refuseChanges(method);
        List<Value> mirrored = new ArrayList<>();
        List<String> parameterTypes = method.argumentTypeNames();
        for (int i = 0; i < arguments.size(); ++i)
            mirrored.add(mirror(vm, arguments.get(i), parameterTypes.get(i)));
        Invoker invoker = expressions.values().invoker();
        Value result;
        try {
            if (method.isStatic() && type instanceof ClassType c)
                result = invoker.callStatic(expressions.values().thread(), c, method, mirrored);
            else
                result = invoker.call(expressions.values().thread(), (ObjectReference) receiver, method, mirrored);
        } catch (Invoker.Failure e) {
            throw new Invoker.Failure("O método " + name + " " + e.getMessage() + ".");
        }
        if (method.returnTypeName().equals("void"))
            throw new Invoker.Failure("O método " + name + " é void: não devolve valor para mostrar.");
        return Expressions.host(result);
    }

    private static void refuseChanges(Method method) throws Invoker.Failure {
        ReferenceType owner = method.declaringType();
        String name = method.name();
        if (DebugValues.isJdk(owner)) {
            String of = owner.name();
            if (Expressions.changes(name) || of.startsWith("java.io.") || of.equals("java.util.Scanner")
                || of.equals("java.util.Random") || (of.startsWith("java.lang.StringB") && name.equals("replace")))
                throw new Invoker.Failure("Uma expressão acompanhada não pode mudar o programa: " + name
                                          + "() muda o objeto ou lê uma entrada.");
            return;
        }
        byte[] code;
        try {
            code = method.bytecodes();
        } catch (UnsupportedOperationException e) {
            return;
        }
        if (Bytecode.writes(code))
            throw new Invoker.Failure("Uma expressão acompanhada não pode mudar o programa: o método " + name
                                      + " altera campos ou vetores.");
    }

    private static Method find(ReferenceType type, String name, List<Object> arguments, boolean isStatic) {
        Method loose = null;
        for (Method m : type.methodsByName(name)) {
            if (m.isAbstract() && !(type instanceof InterfaceType) || (isStatic && !m.isStatic()))
                continue;
            List<String> parameters = m.argumentTypeNames();
            if (parameters.size() != arguments.size())
                continue;
            boolean exact = true;
            boolean fits = true;
            for (int i = 0; i < parameters.size() && fits; ++i) {
                int how = fit(arguments.get(i), parameters.get(i));
                fits = how > 0;
                exact &= how == 2;
            }
            if (fits && exact)
                return m;
            if (fits && loose == null)
                loose = m;
        }
        return loose;
    }

    // 2: the argument is of the parameter's type; 1: Java converts it; 0: no.
    private static int fit(Object argument, String parameter) {
        String own = Expressions.typeOf(argument);
        if (own.equals(parameter) || own.equals("String") && parameter.equals("java.lang.String"))
            return 2;
        List<String> widening = switch (own) {
            case "byte" -> List.of("short", "int", "long", "float", "double");
            case "short", "char" -> List.of("int", "long", "float", "double");
            case "int" -> List.of("long", "float", "double", "java.lang.Integer", "java.lang.Object");
            case "long" -> List.of("float", "double", "java.lang.Long", "java.lang.Object");
            case "float" -> List.of("double", "java.lang.Object");
            case "double" -> List.of("java.lang.Double", "java.lang.Object");
            case "boolean" -> List.of("java.lang.Boolean", "java.lang.Object");
            case "String" -> List.of("java.lang.Object", "java.lang.CharSequence", "java.lang.Comparable");
            default -> List.of();
        };
        if (widening.contains(parameter))
            return 1;
        if (Expressions.isNull(argument))
            return parameter.contains(".") || parameter.endsWith("[]") ? 1 : 0;
        if (argument instanceof ObjectReference object)
            return isA(object.referenceType(), parameter) ? 1 : 0;
        return 0;
    }

    private static boolean isA(ReferenceType type, String name) {
        if (type.name().equals(name) || name.equals("java.lang.Object"))
            return true;
        if (type instanceof ArrayType)
            return false;
        if (type instanceof ClassType c) {
            for (InterfaceType i : c.allInterfaces())
                if (i.name().equals(name))
                    return true;
            return c.superclass() != null && isA(c.superclass(), name);
        }
        if (type instanceof InterfaceType i)
            for (InterfaceType s : i.superinterfaces())
                if (isA(s, name))
                    return true;
        return false;
    }

    private static Value mirror(VirtualMachine vm, Object value, String parameter) {
        if (Expressions.isNull(value))
            return null;
        if (value instanceof Value v)
            return v;
        if (value instanceof String s)
            return vm.mirrorOf(s);
        if (value instanceof Boolean b)
            return vm.mirrorOf(b);
        Number n = value instanceof Character c ? Integer.valueOf(c) : (Number) value;
        return switch (parameter) {
            case "long", "java.lang.Long" -> vm.mirrorOf(n.longValue());
            case "float" -> vm.mirrorOf(n.floatValue());
            case "double", "java.lang.Double" -> vm.mirrorOf(n.doubleValue());
            case "short" -> vm.mirrorOf(n.shortValue());
            case "byte" -> vm.mirrorOf(n.byteValue());
            case "char" -> vm.mirrorOf((char) n.intValue());
            default -> vm.mirrorOf(n.intValue());
        };
    }
}
