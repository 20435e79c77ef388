// The expressions the student watches, evaluated at each stop in the frame
// shown: the beginner's part of Java (literals, names, fields, array
// elements, arithmetic, comparisons, logic, ?:, casts between numbers, and
// calls of methods), read by javac's parser and walked here, since the
// debug interface has no evaluator. Nothing may change the program: an
// assignment, ++, new, or a call of a method known to change its object is
// refused with a message, in Portuguese like every other.
import com.sun.jdi.ArrayReference;
import com.sun.jdi.Field;
import com.sun.jdi.LocalVariable;
import com.sun.jdi.ObjectReference;
import com.sun.jdi.PrimitiveValue;
import com.sun.jdi.ReferenceType;
import com.sun.jdi.StackFrame;
import com.sun.jdi.StringReference;
import com.sun.jdi.Value;
import com.sun.jdi.VirtualMachine;
import com.sun.source.tree.ArrayAccessTree;
import com.sun.source.tree.BinaryTree;
import com.sun.source.tree.ClassTree;
import com.sun.source.tree.CompilationUnitTree;
import com.sun.source.tree.ConditionalExpressionTree;
import com.sun.source.tree.ExpressionTree;
import com.sun.source.tree.IdentifierTree;
import com.sun.source.tree.LiteralTree;
import com.sun.source.tree.MemberSelectTree;
import com.sun.source.tree.MethodInvocationTree;
import com.sun.source.tree.ParenthesizedTree;
import com.sun.source.tree.PrimitiveTypeTree;
import com.sun.source.tree.Tree;
import com.sun.source.tree.TypeCastTree;
import com.sun.source.tree.UnaryTree;
import com.sun.source.tree.VariableTree;
import com.sun.source.util.JavacTask;
import java.net.URI;
import java.util.HashMap;
import java.util.List;
import java.util.Map;
import java.util.Set;
import java.util.function.Supplier;
import javax.tools.DiagnosticCollector;
import javax.tools.JavaCompiler;
import javax.tools.JavaFileObject;
import javax.tools.SimpleJavaFileObject;
import javax.tools.StandardJavaFileManager;
import javax.tools.ToolProvider;

final class Expressions {
    private static final Object NULL = new Object();
    private static final String CHANGES = "Uma expressão acompanhada não pode mudar o programa: ";
    // Methods of the JDK's classes that change their object, or read the
    // keyboard or a file.
    private static final Set<String> CHANGING = Set.of(
        "add", "addAll", "addFirst", "addLast", "addElement", "remove", "removeAll", "removeIf", "removeFirst",
        "removeLast", "retainAll", "put", "putAll", "putIfAbsent", "clear", "set", "poll", "pollFirst", "pollLast",
        "pop", "push", "offer", "offerFirst", "offerLast", "append", "insert", "delete", "deleteCharAt", "setLength",
        "setCharAt", "sort", "replaceAll", "compute", "computeIfAbsent", "computeIfPresent", "merge", "next",
        "print", "println", "printf", "write", "close", "exit", "interrupt", "reverse", "shuffle", "fill");

    // A class named in an expression (Math in Math.sqrt).
    private record TypeName(ReferenceType type) {}

    private final JavaCompiler compiler = ToolProvider.getSystemJavaCompiler();
    private final StandardJavaFileManager files = compiler == null ? null : compiler.getStandardFileManager(null, null, null);
    private final Map<String, Object> parsed = new HashMap<>(); // the tree, or why there is none
    private final DebugValues values;
    private Supplier<StackFrame> frame;

    Expressions(DebugValues values) {
        this.values = values;
    }

    // Warms the parser up, so that the first expression typed answers fast.
    void warm() {
        try {
            parse("1 + 1");
        } catch (Invoker.Failure e) {
            // Nothing to warm.
        }
    }

    // The value's text and type in the frame `frame` gives (read again after
    // each call, which leaves the last one unusable).
    String[] evaluate(String text, Supplier<StackFrame> frame) throws Invoker.Failure {
        this.frame = frame;
        Object result = eval(parse(text));
        return new String[] {textOf(result), typeOf(result)};
    }

    private synchronized ExpressionTree parse(String text) throws Invoker.Failure {
        Object known = parsed.get(text);
        if (known == null) {
            known = parseAnew(text);
            if (parsed.size() > 200)
                parsed.clear();
            parsed.put(text, known);
        }
        if (known instanceof String why)
            throw new Invoker.Failure(why);
        return (ExpressionTree) known;
    }

    private Object parseAnew(String text) {
        if (compiler == null)
            return "O Java deste computador não tem o compilador: expressões não podem ser avaliadas.";
        if (text.isBlank())
            return "Escreva uma expressão, como soma / 3 ou nome.length().";
        String source = "class T { Object v = (" + text + "\n); }";
        JavaFileObject file = new SimpleJavaFileObject(URI.create("string:///T.java"), JavaFileObject.Kind.SOURCE) {
            @Override
            public CharSequence getCharContent(boolean ignoreEncodingErrors) {
                return source;
            }
        };
        DiagnosticCollector<JavaFileObject> problems = new DiagnosticCollector<>();
        JavacTask task = (JavacTask) compiler.getTask(null, files, problems, List.of("-proc:none"), null, List.of(file));
        try {
            for (CompilationUnitTree unit : task.parse()) {
                if (!problems.getDiagnostics().isEmpty() || unit.getTypeDecls().size() != 1)
                    break;
                ClassTree type = (ClassTree) unit.getTypeDecls().get(0);
                if (type.getMembers().size() == 1 && type.getMembers().get(0) instanceof VariableTree v
                    && v.getInitializer() instanceof ParenthesizedTree p)
                    return p.getExpression();
            }
        } catch (java.io.IOException | RuntimeException e) {
            // Said below.
        }
        return "Não entendi esta expressão: confira os parênteses, as aspas e os operadores.";
    }

    Object evaluatePart(ExpressionTree tree) throws Invoker.Failure {
        return eval(tree);
    }

    private Object eval(ExpressionTree tree) throws Invoker.Failure {
        switch (tree.getKind()) {
            case PARENTHESIZED:
                return eval(((ParenthesizedTree) tree).getExpression());
            case INT_LITERAL, LONG_LITERAL, FLOAT_LITERAL, DOUBLE_LITERAL, BOOLEAN_LITERAL, CHAR_LITERAL,
                 STRING_LITERAL, NULL_LITERAL: {
                Object v = ((LiteralTree) tree).getValue();
                return v == null ? NULL : v;
            }
            case IDENTIFIER:
                return name(((IdentifierTree) tree).getName().toString());
            case MEMBER_SELECT:
                return member((MemberSelectTree) tree);
            case ARRAY_ACCESS:
                return element((ArrayAccessTree) tree);
            case METHOD_INVOCATION:
                return Calls.call(this, (MethodInvocationTree) tree);
            case CONDITIONAL_EXPRESSION: {
                ConditionalExpressionTree c = (ConditionalExpressionTree) tree;
                return bool(eval(c.getCondition())) ? eval(c.getTrueExpression()) : eval(c.getFalseExpression());
            }
            case TYPE_CAST:
                return cast((TypeCastTree) tree);
            case CONDITIONAL_AND:
                return bool(eval(((BinaryTree) tree).getLeftOperand())) && bool(eval(((BinaryTree) tree).getRightOperand()));
            case CONDITIONAL_OR:
                return bool(eval(((BinaryTree) tree).getLeftOperand())) || bool(eval(((BinaryTree) tree).getRightOperand()));
            case PREFIX_INCREMENT, PREFIX_DECREMENT, POSTFIX_INCREMENT, POSTFIX_DECREMENT:
                throw new Invoker.Failure(CHANGES + "sem ++ nem --.");
            case ASSIGNMENT, PLUS_ASSIGNMENT, MINUS_ASSIGNMENT, MULTIPLY_ASSIGNMENT, DIVIDE_ASSIGNMENT,
                 REMAINDER_ASSIGNMENT, AND_ASSIGNMENT, OR_ASSIGNMENT, XOR_ASSIGNMENT, LEFT_SHIFT_ASSIGNMENT,
                 RIGHT_SHIFT_ASSIGNMENT, UNSIGNED_RIGHT_SHIFT_ASSIGNMENT:
                throw new Invoker.Failure(CHANGES + "sem atribuições (=, +=, …). Para comparar, use ==.");
            case NEW_CLASS, NEW_ARRAY:
                throw new Invoker.Failure(CHANGES + "sem criar objetos com new.");
            default:
                break;
        }
        if (tree instanceof UnaryTree u)
            return Arithmetic.unary(u.getKind(), eval(u.getExpression()));
        if (tree instanceof BinaryTree b)
            return binary(b);
        throw new Invoker.Failure("Esta forma de expressão não é avaliada aqui: use nomes, campos, posições de "
                                  + "vetor, contas, comparações e chamadas de métodos.");
    }

    private Object binary(BinaryTree b) throws Invoker.Failure {
        Object left = eval(b.getLeftOperand());
        Object right = eval(b.getRightOperand());
        if (b.getKind() == Tree.Kind.PLUS && (isText(left) || isText(right)))
            return concatText(left) + concatText(right);
        boolean equality = b.getKind() == Tree.Kind.EQUAL_TO || b.getKind() == Tree.Kind.NOT_EQUAL_TO;
        // A text written here is not the program's object: whether == holds
        // would depend on Java's sharing of literals, which only it knows.
        if (equality && (left instanceof String || right instanceof String))
            throw new Invoker.Failure("Para comparar textos, use equals, como em nome.equals(\"Ana\"): o == "
                                      + "compara se são o mesmo objeto, não se têm as mesmas letras.");
        if (equality && !isNumberOrChar(left) && !(left instanceof Boolean)) {
            boolean same = left == right || left.equals(right);
            return b.getKind() == Tree.Kind.EQUAL_TO ? same : !same;
        }
        return Arithmetic.binary(b.getKind(), left, right);
    }

    private Object cast(TypeCastTree c) throws Invoker.Failure {
        Object value = eval(c.getExpression());
        if (!(c.getType() instanceof PrimitiveTypeTree p))
            return value;
        return Arithmetic.convert(p.getPrimitiveTypeKind().name().toLowerCase(), value);
    }

    StackFrame frame() throws Invoker.Failure {
        StackFrame f = frame.get();
        if (f == null)
            throw new Invoker.Failure("O programa não está parado.");
        return f;
    }

    Object name(String name) throws Invoker.Failure {
        StackFrame f = frame();
        if (name.equals("this")) {
            ObjectReference self = f.thisObject();
            if (self == null)
                throw new Invoker.Failure("Não há this aqui: o método é static.");
            return self;
        }
        try {
            LocalVariable local = f.visibleVariableByName(name);
            if (local != null)
                return host(f.getValue(local));
        } catch (com.sun.jdi.AbsentInformationException e) {
            // No locals' names: fields and classes only.
        }
        ObjectReference self = f.thisObject();
        ReferenceType here = f.location().declaringType();
        Field own = self == null ? null : self.referenceType().fieldByName(name);
        if (own != null)
            return host(own.isStatic() ? own.declaringType().getValue(own) : self.getValue(own));
        Field shared = here.fieldByName(name);
        if (shared != null && shared.isStatic())
            return host(here.getValue(shared));
        ReferenceType type = typeNamed(name, here);
        if (type != null)
            return new TypeName(type);
        throw new Invoker.Failure("Não existe \"" + name + "\" neste ponto do programa.");
    }

    private ReferenceType typeNamed(String name, ReferenceType here) throws Invoker.Failure {
        VirtualMachine vm = here.virtualMachine();
        String pkg = here.name().contains(".") ? here.name().substring(0, here.name().lastIndexOf('.') + 1) : "";
        for (String full : List.of(here.name() + "$" + name, pkg + name, "java.lang." + name, "java.util." + name)) {
            List<ReferenceType> found = vm.classesByName(full);
            if (!found.isEmpty())
                return found.get(0);
        }
        if (Character.isUpperCase(name.charAt(0)))
            throw new Invoker.Failure("Não encontrei a classe " + name + ": ou ela não existe, ou o programa "
                                      + "ainda não a usou (o depurador só alcança as classes já usadas).");
        return null;
    }

    private Object member(MemberSelectTree m) throws Invoker.Failure {
        Object target = eval(m.getExpression());
        String name = m.getIdentifier().toString();
        if (target instanceof TypeName t) {
            Field field = t.type().fieldByName(name);
            if (field != null && field.isStatic())
                return host(t.type().getValue(field));
            for (ReferenceType inner : t.type().nestedTypes())
                if (JavaText.simpleType(inner.name()).equals(name))
                    return new TypeName(inner);
            throw new Invoker.Failure("A classe " + JavaText.simpleType(t.type().name()) + " não tem o campo static "
                                      + name + ".");
        }
        if (target == NULL)
            throw new Invoker.Failure("O valor antes de ." + name + " é null: não há objeto para consultar.");
        if (target instanceof ArrayReference array) {
            if (name.equals("length"))
                return array.length();
            throw new Invoker.Failure("Um vetor só tem o campo length.");
        }
        // A field is Java's of the declared type: a subclass's field of the
        // same name hides it only for code that sees the subclass.
        ReferenceType declared = declaredType(m.getExpression());
        Field field = declared != null ? declared.fieldByName(name) : null;
        if (field == null && target instanceof ObjectReference object && !(target instanceof StringReference))
            field = object.referenceType().fieldByName(name);
        if (field != null)
            return host(field.isStatic() ? field.declaringType().getValue(field)
                                         : ((ObjectReference) target).getValue(field));
        throw new Invoker.Failure("Não há o campo " + name + " em " + typeOf(target) + "."
                                  + (target instanceof StringReference || target instanceof String
                                     ? " Para o tamanho de um texto, use " + name + "()." : ""));
    }

    // The declared class of a variable or field named by `tree`; null for
    // anything else, or when the class is not loaded.
    private ReferenceType declaredType(ExpressionTree tree) throws Invoker.Failure {
        try {
            if (tree instanceof IdentifierTree id) {
                StackFrame f = frame();
                String name = id.getName().toString();
                LocalVariable local = f.visibleVariableByName(name);
                if (local != null)
                    return local.type() instanceof ReferenceType t ? t : null;
                ObjectReference self = f.thisObject();
                Field field = self != null ? self.referenceType().fieldByName(name)
                                           : f.location().declaringType().fieldByName(name);
                return field != null && field.type() instanceof ReferenceType t ? t : null;
            }
        } catch (com.sun.jdi.AbsentInformationException | com.sun.jdi.ClassNotLoadedException e) {
            // Not known: the object's own class answers.
        }
        return null;
    }

    private Object element(ArrayAccessTree a) throws Invoker.Failure {
        Object target = eval(a.getExpression());
        Object index = eval(a.getIndex());
        if (target == NULL)
            throw new Invoker.Failure("O vetor é null: não há posições para ler.");
        if (!(target instanceof ArrayReference array))
            throw new Invoker.Failure("Só vetores têm posições entre [ ]; " + typeOf(target) + " não é um vetor.");
        if (!(index instanceof Integer || index instanceof Short || index instanceof Byte || index instanceof Character))
            throw new Invoker.Failure("A posição de um vetor é um int.");
        int i = ((Number) (index instanceof Character c ? (int) c : index)).intValue();
        if (i < 0 || i >= array.length())
            throw new Invoker.Failure("A posição " + i + " não existe: o vetor tem " + array.length()
                                      + " posições (de 0 a " + (array.length() - 1) + ").");
        return host(array.getValue(i));
    }

    static boolean bool(Object value) throws Invoker.Failure {
        if (value instanceof Boolean b)
            return b;
        throw new Invoker.Failure("Aqui era preciso um valor boolean (true ou false).");
    }

    private static boolean isText(Object value) {
        return value instanceof String || value instanceof StringReference;
    }

    private static boolean isNumberOrChar(Object value) {
        return value instanceof Number || value instanceof Character;
    }

    private String concatText(Object value) throws Invoker.Failure {
        if (value instanceof StringReference s)
            return s.value();
        if (value == NULL)
            return "null";
        if (value instanceof ObjectReference o)
            return values.text(o);
        return String.valueOf(value);
    }

    static boolean isNull(Object value) {
        return value == NULL;
    }

    static Object nullValue() {
        return NULL;
    }

    static ReferenceType typeNameOf(Object value) {
        return value instanceof TypeName t ? t.type() : null;
    }

    static Object typeName(ReferenceType type) {
        return new TypeName(type);
    }

    // A value of the program as this evaluator holds it: a number, char or
    // boolean as Java's own, an object as the program's.
    static Object host(Value value) {
        if (value == null)
            return NULL;
        if (value instanceof PrimitiveValue p) {
            return switch (value.type().name()) {
                case "int" -> p.intValue();
                case "long" -> p.longValue();
                case "double" -> p.doubleValue();
                case "float" -> p.floatValue();
                case "boolean" -> p.booleanValue();
                case "char" -> p.charValue();
                case "short" -> p.shortValue();
                case "byte" -> p.byteValue();
                default -> NULL;
            };
        }
        return value;
    }

    DebugValues values() {
        return values;
    }

    private String textOf(Object value) {
        if (value == NULL)
            return "null";
        if (value instanceof String s)
            return JavaText.quoted(s, 200);
        if (value instanceof Character c)
            return JavaText.quoted(c);
        if (value instanceof Value v)
            return values.text(v);
        if (value instanceof TypeName t)
            return "a classe " + JavaText.simpleType(t.type().name());
        return String.valueOf(value);
    }

    static String typeOf(Object value) {
        if (value == NULL)
            return "null";
        if (value instanceof String)
            return "String";
        if (value instanceof Value v)
            return DebugValues.typeOf(v);
        if (value instanceof TypeName)
            return "";
        return switch (value.getClass().getSimpleName()) {
            case "Integer" -> "int";
            case "Character" -> "char";
            default -> value.getClass().getSimpleName().toLowerCase();
        };
    }

    static boolean changes(String method) {
        return CHANGING.contains(method) || method.length() > 3 && method.startsWith("set")
                                                && Character.isUpperCase(method.charAt(3));
    }
}
